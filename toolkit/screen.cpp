#include "screen.h"

#include "graphical_button.h"
#include "image_control.h"
#include "pictures.h"
#include "screen_registry.h"
#include "twips.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace tivak {

namespace {

void paintWhite(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

Screen::Screen(ScreenRegistry &registry, ScreenId id, const WindowStyle &style)
    : registry_(registry), id_(id), style_(style), client_(new QWidget(this))
{
    const QString name =
        QString::fromLatin1(screenName(id).data(), qsizetype(screenName(id).size()));
    setObjectName(name);
    setWindowRole(name); // lets window managers and tools tell the screens apart
    client_->setObjectName(name + QStringLiteral("Client"));
    setWindowTitle(style_.caption);
    setWindowIcon(pictures::icon(style_.icon));
    paintWhite(this);
    paintWhite(client_);
    applyWindowFlags();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(client_);
    client_->setMinimumSize(style_.border == BorderStyle::Sizable ? QSize(1, 1) : clientPixels());
}

Screen::~Screen() = default;

void Screen::applyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window;
    switch (style_.border) {
    case BorderStyle::Sizable:
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint;
        break;
    case BorderStyle::FixedSingle:
    case BorderStyle::FixedDialog:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
        break;
    }
    if (!style_.inTaskbar)
        flags = (flags & ~Qt::Window) | Qt::Tool; // tool windows stay out of the taskbar
    setWindowFlags(flags);
}

QSize Screen::clientPixels() const
{
    return twips::toPixels(style_.clientWidth, style_.clientHeight, twips::logicalDpi(this));
}

void Screen::placeOnCreation()
{
    const double dpi = twips::logicalDpi(this);
    const QSize clientSize = clientPixels();
    const int menuHeight = menuBar_ ? menuBar_->sizeHint().height() : 0;
    const QSize size(clientSize.width(), clientSize.height() + menuHeight);
    if (style_.border != BorderStyle::Sizable)
        setFixedSize(size);

    QPoint topLeft(twips::toPixels(style_.storedLeft, dpi), twips::toPixels(style_.storedTop, dpi));
    if (style_.placement == Placement::CentredOnScreen) {
        const QRect available = screen()->availableGeometry();
        topLeft = available.center() - QPoint(size.width() / 2, size.height() / 2);
    }
    setGeometry(QRect(topLeft, size));
}

ImageControl *Screen::addImage(const QString &name, PictureRole role, const Rect &rect,
                               bool stretch)
{
    auto *image = new ImageControl(client_, name, role, rect, stretch);
    if (lowestButton_)
        image->stackUnder(lowestButton_); // buttons always stand above pictures
    return image;
}

GraphicalButton *Screen::addButton(const QString &name, PictureRole glyph, const Rect &rect,
                                   const QString &caption, const QFont &captionFont)
{
    auto *button = new GraphicalButton(client_, name, glyph, rect, caption, captionFont);
    button->raise();
    if (!lowestButton_)
        lowestButton_ = button;
    return button;
}

QAction *Screen::addMenuItem(const QString &name, const QString &caption)
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        layout()->setMenuBar(menuBar_);
    }
    QAction *item = menuBar_->addAction(caption);
    item->setObjectName(name);
    return item;
}

void Screen::setFocusOrder(std::initializer_list<QWidget *> order)
{
    setFocusOrder(QList<QWidget *>(order));
}

void Screen::setFocusOrder(const QList<QWidget *> &order)
{
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    if (!order.isEmpty())
        order.front()->setFocus();
}

void Screen::closeEvent(QCloseEvent *event)
{
    event->accept();
    registry_.closedByReader(*this);
}

} // namespace tivak
