#pragma once

#include "picture_role.h"

#include <QByteArray>

namespace tivak {

enum class PictureFormat
{
    Jpeg,
    Icon
};

// One built-in picture or icon: the whole stored file, handed to the toolkit unchanged.
struct PictureAsset
{
    QByteArray bytes; // shares the program's embedded data, never a copy
    PictureFormat format;
};

// The picture or icon of a role. The same role always yields the same embedded bytes, so every
// control that shows a role shows one and the same asset.
PictureAsset pictureAsset(PictureRole role);

} // namespace tivak
