#pragma once

#include "picture_role.h"
#include "rect.h"
#include "screen_id.h"
#include "window_style.h"

#include <QFont>
#include <QWidget>
#include <initializer_list>

class QMenuBar;
class QAction;

namespace tivak {

class GraphicalButton;
class ImageControl;
class ScreenRegistry;

// One window of the book. A screen owns its controls (as Qt children) and whatever else it holds;
// the registry creates it on first Show and destroys it when its window is closed.
class Screen : public QWidget
{
    Q_OBJECT

public:
    Screen(ScreenRegistry &registry, ScreenId id, const WindowStyle &style);
    ~Screen() override;

    ScreenId id() const { return id_; }
    const WindowStyle &style() const { return style_; }

    // The area the controls sit in, below the menu bar if there is one.
    QWidget *client() const { return client_; }

    // Runs once, after the screen is built and before it is first shown.
    virtual void Load() {}
    // Runs when the reader closes the window, before the screen is destroyed.
    virtual void Unload() {}

    // Puts the new window where its style says, in its normal (not maximised) state.
    void placeOnCreation();

protected:
    ScreenRegistry &registry() const { return registry_; }

    ImageControl *addImage(const QString &name, PictureRole role, const Rect &rect, bool stretch);
    GraphicalButton *addButton(const QString &name, PictureRole glyph, const Rect &rect,
                               const QString &caption = {}, const QFont &captionFont = {});
    QAction *addMenuItem(const QString &name, const QString &caption);

    // The order in which the buttons take the focus; the first one has it when the screen opens.
    void setFocusOrder(std::initializer_list<QWidget *> order);
    void setFocusOrder(const QList<QWidget *> &order);

    void closeEvent(QCloseEvent *event) override;

private:
    void applyWindowFlags();
    QSize clientPixels() const;

    ScreenRegistry &registry_;
    ScreenId id_;
    WindowStyle style_;
    QWidget *client_;
    QMenuBar *menuBar_ = nullptr;
    QWidget *lowestButton_ = nullptr;
};

} // namespace tivak
