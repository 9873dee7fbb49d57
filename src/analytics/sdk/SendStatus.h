#pragma once
// The process-wide last-upload-succeeded flag: false at start, then the
// outcome of the latest upload whose body could be built. Any thread.
namespace cv_analytics {

bool LastUploadSucceeded();
void SetLastUploadSucceeded(bool succeeded);

}  // namespace cv_analytics
