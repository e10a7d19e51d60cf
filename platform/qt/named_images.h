// Local images on the page. A page may not read files, so an image a
// document links by a file: address is shown through our scheme instead,
// and only when a script the program ran named that file and the file is a
// PNG, JPEG, GIF or BMP image. UI thread only.
#pragma once

#include <QString>
#include <string>

class QWebEngineUrlRequestJob;

namespace platform {

// Remembers the local files that `script` names.
void name_files_in(const std::wstring& script);
// What a local image's path is put behind on the page ("tembrick:image").
QString named_image_address_prefix();
// True when the job asks our scheme for a local image; it is then answered
// with the image or refused.
bool serve_named_image(QWebEngineUrlRequestJob* job);

}  // namespace platform
