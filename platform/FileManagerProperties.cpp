#include "FileManagerProperties.h"

#include "DesktopProperties.h"

namespace platform {

namespace {

FileManagerRequest& TestRequest() {
    static FileManagerRequest request;
    return request;
}

}  // namespace

void SetFileManagerForTesting(FileManagerRequest request) {
    TestRequest() = std::move(request);
}

bool ShowPropertiesInFileManager(const std::string& path) {
    return TestRequest() ? TestRequest()(path) : AskDesktopForProperties(path);
}

}  // namespace platform
