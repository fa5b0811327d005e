#pragma once

#include "picture_role.h"
#include "rect.h"

#include <QFont>
#include <QToolButton>

namespace tivak {

// A push button showing a glyph centred, with an optional caption beneath it in its own font.
// It takes the keyboard focus; Space, Enter or Return press it as the mouse does.
class GraphicalButton : public QToolButton
{
    Q_OBJECT

public:
    GraphicalButton(QWidget *parent, const QString &name, PictureRole glyph, const Rect &rect,
                    const QString &caption = {}, const QFont &captionFont = {});

    PictureRole glyph() const { return glyph_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    PictureRole glyph_;
};

} // namespace tivak
