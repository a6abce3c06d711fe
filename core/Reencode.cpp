#include "Reencode.h"

#include <lame/lame.h>
#include <mpg123.h>
#include <soxr.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include "FileByteSource.h"
#include "FileIo.h"
#include "MP3Utils.h"
#include "PathJoin.h"
#include "Suitability.h"
#include "UiText.h"

namespace tunewrap {

namespace {

// Source bytes handed to the decoder at a time: the progress step and what bounds the memory.
constexpr std::size_t kInputChunkBytes = 64 << 10;
// Cancel is also looked at after this much audio, in seconds: the time taken follows the audio's
// length, and a chunk at 8 kbit/s holds a minute of it.
constexpr double kSecondsBetweenLooks = 0.1;
// The decoder takes no frame longer than 3456 bytes, free format included.
constexpr std::size_t kLongestFrameBytes = 4096;
// Encoded bytes gathered before one write, so the file grows in few, large writes.
constexpr std::size_t kOutputChunkBytes = 256 << 10;
// The encoder's worst case for n samples is 1.25 n + 7200 bytes.
constexpr std::size_t kEncoderSlackBytes = 7200;
constexpr int kLameQuality = 2;  // near-best; 0 and 1 cost much time for no audible gain
// Float samples from the decoder and into the encoder span -1 to 1.
constexpr float kFullScale = 1.0f;
// The resampler's output room per call, in frames; it is called until it has nothing more.
constexpr std::size_t kResampledFrames = 8192;

constexpr long kUnlimitedResync = -1;  // the decoder's value for "search to the end"

// The codec libraries fill shared tables when their first handle is made; making handles one
// at a time keeps parallel re-encodes from filling them together.
std::mutex gSetUpMutex;

struct Mpg123Closer {
    void operator()(mpg123_handle* handle) const {
        mpg123_close(handle);
        mpg123_delete(handle);
    }
};
struct LameCloser {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};
struct SoxrCloser {
    void operator()(soxr* resampler) const { soxr_delete(resampler); }
};
using Decoder = std::unique_ptr<mpg123_handle, Mpg123Closer>;
using Encoder = std::unique_ptr<lame_global_flags, LameCloser>;
using Resampler = std::unique_ptr<soxr, SoxrCloser>;

ConvertResult Failed(std::string reason) {
    return {ConvertResult::Status::Failed, ShownReason(std::move(reason))};
}

// Every rate, layer and version the decoder knows, as float samples in one or two channels.
Decoder OpenDecoder(std::string& error) {
    int code = MPG123_OK;
    Decoder decoder(mpg123_new(nullptr, &code));
    if (!decoder) {
        error = mpg123_plain_strerror(code);
        return nullptr;
    }
    mpg123_handle* h = decoder.get();
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_SKIP_ID3V2, 0);
    // Players search past any amount of what is not audio (a gap of zeros, a padded tail), and
    // so does this: the file's end bounds the search.
    mpg123_param(h, MPG123_RESYNC_LIMIT, kUnlimitedResync, 0);
    mpg123_format_none(h);
    const long* rates = nullptr;
    std::size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (std::size_t i = 0; i < rateCount; ++i) {
        mpg123_format(h, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_FLOAT_32);
    }
    if (mpg123_open_feed(h) != MPG123_OK) {
        error = mpg123_strerror(h);
        return nullptr;
    }
    return decoder;
}

Encoder OpenEncoder(const Expectation& expected, int channels) {
    Encoder encoder(lame_init());
    if (!encoder) return nullptr;
    lame_global_flags* f = encoder.get();
    lame_set_num_channels(f, channels);
    lame_set_in_samplerate(f, kExpectedSamplingFrequency);
    lame_set_out_samplerate(f, kExpectedSamplingFrequency);
    lame_set_mode(f, expected.stereo ? JOINT_STEREO : MONO);
    lame_set_VBR(f, vbr_off);
    lame_set_brate(f, expected.bitRate);
    lame_set_quality(f, kLameQuality);
    // The first frame carries the encoder's delay and padding, so that players leave out the
    // silence the encoder adds at both ends. At a constant bit rate LAME names that frame "Info",
    // not "Xing", and gives it the audio's bit rate, so that the header the game reads first is
    // still that of the audio.
    lame_set_bWriteVbrTag(f, 1);
    lame_set_write_id3tag_automatic(f, 0);
    if (lame_init_params(f) < 0) return nullptr;
    return encoder;
}

// Takes decoded audio in whatever rate and channels the source has and writes it encoded.
class Pipeline {
  public:
    // The head leaves with the first encoded bytes, so the file still grows in few writes.
    Pipeline(const Expectation& expected, platform::PartFile& output, std::string_view head)
        : expected_(expected),
          output_(output),
          encoded_(head.begin(), head.end()),
          firstFrameAt_(static_cast<std::int64_t>(head.size())) {
        channels_ = expected.stereo ? 2 : 1;
        encodedSize_ = head.size();
    }

    bool Start(std::string& error) {
        std::lock_guard<std::mutex> lock(gSetUpMutex);
        encoder_ = OpenEncoder(expected_, channels_);
        if (!encoder_) error = platform::Tr("Reencoding", "The MP3 encoder could not be set up");
        return encoder_ != nullptr;
    }

    // A new format may start anywhere in a stream: what came before is resampled to its end.
    bool SetFormat(long rate, int channels, std::string& error) {
        if (!FlushResampler(error)) return false;
        sourceChannels_ = channels;
        resampler_.reset();
        if (rate == kExpectedSamplingFrequency) return true;
        std::lock_guard<std::mutex> lock(gSetUpMutex);
        const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_VHQ, 0);
        soxr_error_t soxrError = nullptr;
        resampler_.reset(soxr_create(static_cast<double>(rate), kExpectedSamplingFrequency,
                                     static_cast<unsigned>(channels_), &soxrError, &io, &quality,
                                     nullptr));
        if (soxrError != nullptr) error = soxrError;
        return soxrError == nullptr;
    }

    bool Add(const float* samples, std::size_t sampleCount, std::string& error) {
        const std::size_t frames = sampleCount / static_cast<std::size_t>(sourceChannels_);
        Mix(samples, frames);
        decodedAny_ = decodedAny_ || frames > 0;
        if (!resampler_) return Encode(mixed_.data(), frames, error);
        std::size_t used = 0;
        while (used < frames) {
            std::size_t taken = 0;
            if (!Resample(mixed_.data() + used * static_cast<std::size_t>(channels_), frames - used,
                          taken, error)) {
                return false;
            }
            // A resampler that neither takes nor gives would never finish.
            if (taken == 0 && lastProduced_ == 0) {
                error = platform::Tr("Reencoding", "The resampler stalled");
                return false;
            }
            used += taken;
        }
        return true;
    }

    bool Finish(std::string& error) {
        if (!FlushResampler(error)) return false;
        Reserve(0);
        const int n = lame_encode_flush(encoder_.get(), encoded_.data() + encodedSize_,
                                        static_cast<int>(encoded_.size() - encodedSize_));
        if (n < 0) {
            error = platform::Tr("Reencoding", "The MP3 encoder failed");
            return false;
        }
        encodedSize_ += static_cast<std::size_t>(n);
        return Write(error) && WriteInfoFrame(error);
    }

    bool decodedAny() const { return decodedAny_; }

  private:
    // Mono is the channels' average; stereo from mono is the one channel twice. A damaged frame
    // decodes to samples far beyond full scale, even to infinities, which the encoder's
    // quantiser cannot hold (it stops the process): they are clipped to full scale, and what is
    // not a number becomes silence.
    void Mix(const float* samples, std::size_t frames) {
        mixed_.resize(frames * static_cast<std::size_t>(channels_));
        for (std::size_t i = 0; i < frames; ++i) {
            float in[2] = {};
            for (int c = 0; c < sourceChannels_; ++c)
                in[c] = FullScale(samples[i * static_cast<std::size_t>(sourceChannels_) + c]);
            float* out = mixed_.data() + i * static_cast<std::size_t>(channels_);
            if (channels_ == sourceChannels_) {
                std::copy(in, in + channels_, out);
            } else if (channels_ == 1) {
                out[0] = (in[0] + in[1]) / 2;
            } else {
                out[0] = out[1] = in[0];
            }
        }
    }

    static float FullScale(float sample) {
        if (std::isnan(sample)) return 0;
        return std::clamp(sample, -kFullScale, kFullScale);
    }

    // Null input drains what the resampler holds back.
    bool Resample(const float* in, std::size_t frames, std::size_t& taken, std::string& error) {
        resampled_.resize(kResampledFrames * static_cast<std::size_t>(channels_));
        std::size_t produced = 0;
        const soxr_error_t soxrError = soxr_process(resampler_.get(), in, frames, &taken,
                                                    resampled_.data(), kResampledFrames, &produced);
        if (soxrError != nullptr) {
            error = soxrError;
            return false;
        }
        lastProduced_ = produced;
        return Encode(resampled_.data(), produced, error);
    }

    bool FlushResampler(std::string& error) {
        if (!resampler_) return true;
        do {
            std::size_t taken = 0;
            if (!Resample(nullptr, 0, taken, error)) return false;
        } while (lastProduced_ > 0);
        return true;
    }

    void Reserve(std::size_t frames) {
        const std::size_t worst = frames + frames / 4 + kEncoderSlackBytes;
        if (encoded_.size() < encodedSize_ + worst) encoded_.resize(encodedSize_ + worst);
    }

    bool Encode(const float* frames, std::size_t frameCount, std::string& error) {
        if (frameCount == 0) return true;
        Reserve(frameCount);
        unsigned char* out = encoded_.data() + encodedSize_;
        const int room = static_cast<int>(encoded_.size() - encodedSize_);
        const int count = static_cast<int>(frameCount);
        const int n = channels_ == 2 ? lame_encode_buffer_interleaved_ieee_float(
                                           encoder_.get(), frames, count, out, room)
                                     : lame_encode_buffer_ieee_float(encoder_.get(), frames,
                                                                     nullptr, count, out, room);
        if (n < 0) {
            error = platform::Tr("Reencoding", "The MP3 encoder failed");
            return false;
        }
        encodedSize_ += static_cast<std::size_t>(n);
        return encodedSize_ < kOutputChunkBytes || Write(error);
    }

    // The encoder left room for it in front of the audio; it can only be filled in at the end.
    bool WriteInfoFrame(std::string& error) {
        std::vector<unsigned char> frame(lame_get_lametag_frame(encoder_.get(), nullptr, 0));
        if (frame.empty()) return true;
        if (lame_get_lametag_frame(encoder_.get(), frame.data(), frame.size()) != frame.size()) {
            error = platform::Tr("Reencoding", "The MP3 encoder failed");
            return false;
        }
        if (!output_.WriteAt(firstFrameAt_, reinterpret_cast<const char*>(frame.data()),
                             frame.size())) {
            error = std::strerror(errno);
            return false;
        }
        return true;
    }

    bool Write(std::string& error) {
        if (!output_.Write(reinterpret_cast<const char*>(encoded_.data()), encodedSize_)) {
            error = std::strerror(errno);
            return false;
        }
        encodedSize_ = 0;
        return true;
    }

    const Expectation& expected_;
    platform::PartFile& output_;
    int channels_ = 2;
    int sourceChannels_ = 2;
    bool decodedAny_ = false;
    Encoder encoder_;
    Resampler resampler_;
    std::vector<float> mixed_;
    std::vector<float> resampled_;
    std::size_t lastProduced_ = 0;
    std::vector<unsigned char> encoded_;
    std::size_t encodedSize_ = 0;
    std::int64_t firstFrameAt_;
};

// What the decoder last said of its output, and how much of it came since Cancel was looked at.
struct Decoded {
    long rate = kExpectedSamplingFrequency;
    int channels = 1;
    long sinceLook = 0;  // sample frames
};

// Hands every frame the decoder can make of what it was fed so far to the pipeline, looking at
// Cancel after every stretch of audio.
bool Drain(mpg123_handle* decoder, Pipeline& pipeline, Decoded& decoded, ProgressSink& sink,
           std::string& error) {
    for (;;) {
        off_t frameNumber = 0;
        unsigned char* audio = nullptr;
        std::size_t bytes = 0;
        const int code = mpg123_decode_frame(decoder, &frameNumber, &audio, &bytes);
        if (code == MPG123_NEED_MORE) return true;
        if (code == MPG123_NEW_FORMAT) {
            int encoding = 0;
            mpg123_getformat(decoder, &decoded.rate, &decoded.channels, &encoding);
            if (!pipeline.SetFormat(decoded.rate, decoded.channels, error)) return false;
            continue;
        }
        if (code != MPG123_OK) {
            error = mpg123_strerror(decoder);
            return false;
        }
        if (!pipeline.Add(reinterpret_cast<const float*>(audio), bytes / sizeof(float), error))
            return false;
        decoded.sinceLook += static_cast<long>(bytes / sizeof(float)) / decoded.channels;
        if (decoded.sinceLook >=
            static_cast<long>(kSecondsBetweenLooks * static_cast<double>(decoded.rate))) {
            decoded.sinceLook = 0;
            sink.Yield();
            if (sink.CancelRequested()) return true;
        }
    }
}

}  // namespace

bool ReencodeAvailable() {
    return true;
}

ConvertResult ReencodeFile(const std::string& sourcePath, const std::string& destinationPath,
                           bool renameWav, ProgressSink& sink, std::string_view head,
                           bool preserveFileDateTime) {
    platform::ReadOnlyFile source(sourcePath);
    FileByteSource bytes(source);
    std::string dir;
    std::string name;
    platform::SplitPath(sourcePath, dir, name);
    return ReencodeOpenFile(source, bytes, name, destinationPath, renameWav, sink, head,
                            preserveFileDateTime);
}

ConvertResult ReencodeOpenFile(platform::ReadOnlyFile& source, FileByteSource& bytes,
                               const std::string& sourceFileName,
                               const std::string& destinationPath, bool renameWav,
                               ProgressSink& sink, std::string_view head,
                               bool preserveFileDateTime) {
    if (!bytes.Error().empty()) return Failed(bytes.Error());
    // Tags at the front are passed over unread: the decoder would gather a cover picture whole
    // (hundreds of megabytes at times) only to drop it. One that claims more than the file holds
    // leaves no audio.
    std::int64_t done = static_cast<std::int64_t>(
        std::min<std::uint64_t>(AudioStart(bytes), static_cast<std::uint64_t>(source.size())));
    if (!source.Seek(done)) return Failed(std::strerror(errno));

    std::string error;
    Decoder decoder;
    {
        std::lock_guard<std::mutex> lock(gSetUpMutex);
        decoder = OpenDecoder(error);
    }
    if (!decoder) return Failed(error);

    platform::PartFile part;
    if (!part.Create(destinationPath, source.permissions())) {
        return Failed(platform::PartFileError(errno));
    }
    Pipeline pipeline(ExpectedFormat(renameWav), part, head);
    if (!pipeline.Start(error)) return Failed(error);

    // The caption says why a wrap takes far longer than a copy would.
    sink.SetFileName(
        platform::Filled(platform::Tr("Reencoding", "Re-encoding %1"), {sourceFileName}));
    sink.SetTotal(source.size());
    sink.SetDone(done);
    // Re-encoding takes seconds even for a short song, so progress is worth showing at once.
    sink.ShowDialog();

    std::vector<unsigned char> chunk(kInputChunkBytes);
    Decoded decoded;
    while (error.empty() && !sink.CancelRequested()) {
        const std::int64_t n = source.Read(reinterpret_cast<char*>(chunk.data()), chunk.size());
        if (n < 0) error = std::strerror(errno);
        if (n <= 0) break;
        // Where no frame header starts, only the end of a frame begun before can lie: the
        // decoder would search the rest (a gigabyte of zeros at times) byte by byte.
        std::size_t fed = static_cast<std::size_t>(n);
        if (std::memchr(chunk.data(), kMpegSyncByte, fed) == nullptr)
            fed = std::min(fed, kLongestFrameBytes);
        if (mpg123_feed(decoder.get(), chunk.data(), fed) != MPG123_OK) {
            error = mpg123_strerror(decoder.get());
            break;
        }
        if (!Drain(decoder.get(), pipeline, decoded, sink, error) || sink.CancelRequested()) break;
        done += n;
        sink.SetDone(done);
        sink.Yield();
    }
    if (error.empty() && !sink.CancelRequested()) {
        if (!pipeline.decodedAny()) error = platform::Tr("Reencoding", kNoAudioReason);
        if (error.empty()) pipeline.Finish(error);
    }
    if (error.empty() && !sink.CancelRequested() && source.Changed()) error = kSourceChangedReason;
    const platform::FileTime sourceTime = source.modified();
    source.Close();
    sink.CloseDialog();

    if (!error.empty()) return Failed(error);
    if (sink.CancelRequested()) return {ConvertResult::Status::Cancelled, {}};
    if (!part.PutInPlace(preserveFileDateTime ? &sourceTime : nullptr))
        return Failed(std::strerror(errno));
    return {};
}

}  // namespace tunewrap
