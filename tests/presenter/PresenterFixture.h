#pragma once
#include "MainPresenter.h"
#include "RecordingView.h"
#include "common/FakeProgressSink.h"
#include "common/ScratchHome.h"

using tunewrap::BoxAnswer;
using tunewrap::Control;
using tunewrap::ListId;
using tunewrap::OptionId;
using Names = RecordingView::Names;
constexpr ListId MP3 = ListId::MP3, BMU = ListId::BMU;

// Music is the stored source folder, Game/music the stored destination.
class Presenter : public ScratchHome {
  protected:
    void SetUp() override {
        ScratchHome::SetUp();
        for (const char* dir : {"Music", "Game/music"})
            std::filesystem::create_directories(Path(dir));
        settings.program = {{"MP3Dir", Path("Music")}, {"BMUDir", Path("Game/music")}};
    }
    tunewrap::MainPresenter& Open() {
        view = RecordingView();
        presenter = std::make_unique<tunewrap::MainPresenter>(view, settings, sink, Path("home"));
        presenter->Load();
        return *presenter;
    }

    RecordingView view;
    MemorySettings settings;
    FakeProgressSink sink;
    std::unique_ptr<tunewrap::MainPresenter> presenter;
};
