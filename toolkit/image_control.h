#pragma once

#include "picture_role.h"
#include "rect.h"

#include <QLabel>

namespace tivak {

// A picture on a screen: at its natural size from the rect's top-left corner, or stretched to fill
// the rect. It takes neither input nor focus.
class ImageControl : public QLabel
{
    Q_OBJECT

public:
    ImageControl(QWidget *parent, const QString &name, PictureRole role, const Rect &rect,
                 bool stretch);

    PictureRole role() const { return role_; }
    bool stretched() const { return stretch_; }

private:
    PictureRole role_;
    bool stretch_;
};

} // namespace tivak
