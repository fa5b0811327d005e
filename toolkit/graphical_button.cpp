#include "graphical_button.h"

#include "pictures.h"
#include "twips.h"

#include <QKeyEvent>

namespace tivak {

namespace {
constexpr int glyphTwips = 480; // the glyphs are 32 pixels square
}

GraphicalButton::GraphicalButton(QWidget *parent, const QString &name, PictureRole glyph,
                                 const Rect &rect, const QString &caption, const QFont &captionFont)
    : QToolButton(parent), glyph_(glyph)
{
    const double dpi = twips::logicalDpi(parent);
    setObjectName(name);
    setGeometry(twips::toPixels(rect, dpi));
    setFocusPolicy(Qt::StrongFocus);
    setAutoRaise(false);
    setIcon(pictures::icon(glyph));
    const int glyphPixels = twips::toPixels(glyphTwips, dpi);
    setIconSize({glyphPixels, glyphPixels});
    if (caption.isEmpty()) {
        setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        setText(caption);
        setFont(captionFont);
    }
}

void GraphicalButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        event->accept();
        return;
    }
    QToolButton::keyPressEvent(event);
}

} // namespace tivak
