// The folder browser's pictures, drawn by code in the 16 standard colours: a closed and an open
// folder of 19 x 19 pixels and five drive pictures of 16 x 9, on pure red, which stands for the
// background.
#pragma once

#include "base/geometry.h"
#include "folders/folder_browser.h"
#include "ui/image.h"

namespace tavel {

// The colour of a picture's pixels that show the background instead.
constexpr Color kPictureBackground = Rgb(255, 0, 0);

// The picture for a drive-box or folder-list item; an empty bitmap for BrowserPicture::None.
Bitmap BrowserPictureBitmap(BrowserPicture picture);

}  // namespace tavel
