#pragma once

#include "picture_role.h"

#include <QIcon>
#include <QPixmap>

// Built-in pictures and icons, decoded once and shared by every control that shows them.
namespace tivak::pictures {

QPixmap pixmap(PictureRole role);
QIcon icon(PictureRole role);

} // namespace tivak::pictures
