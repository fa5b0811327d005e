#include "image_control.h"

#include "pictures.h"
#include "twips.h"

namespace tivak {

ImageControl::ImageControl(QWidget *parent, const QString &name, PictureRole role, const Rect &rect,
                           bool stretch)
    : QLabel(parent), role_(role), stretch_(stretch)
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);

    const QPixmap picture = pictures::pixmap(role);
    const double dpi = twips::logicalDpi(parent);
    QRect area = twips::toPixels(rect, dpi);
    if (!stretch)
        area.setSize(twips::naturalSize(picture.size(), dpi));
    setGeometry(area);
    setScaledContents(true); // only scales when the desktop's DPI is not the standard one
    setPixmap(picture);
}

} // namespace tivak
