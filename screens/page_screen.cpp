#include "page_screen.h"

#include "catalogue.h"
#include "graphical_button.h"
#include "page_window.h"
#include "screen_registry.h"

#include <QShortcut>

namespace tivak {

namespace {

WindowStyle pageWindow()
{
    WindowStyle style;
    style.caption = QStringLiteral("tîvak");
    style.icon = PictureRole::PageWindowIcon;
    style.border = BorderStyle::FixedSingle;
    style.inTaskbar = true;
    style.clientWidth = page_window::clientWidth;
    style.clientHeight = page_window::clientHeight;
    style.placement = Placement::CentredOnScreen;
    style.storedLeft = 45;
    style.storedTop = 390;
    return style;
}

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

PageScreen::PageScreen(ScreenRegistry &registry, int page, const PlayerFactory &makePlayer)
    : Screen(registry, catalogue::screenOf(page), pageWindow()), page_(page),
      trio_(PageProfile, makePlayer)
{
    const catalogue::PicturePlacement &picture = catalogue::picturePlacement(page_);
    addImage(QStringLiteral("Image1"), pagePicture(page_), picture.rect, picture.stretch);
    addSpeakers();
    addTurningButtons();
    setPageFocusOrder();

    // The arrow keys turn the page as the buttons at the bottom do.
    connect(new QShortcut(Qt::Key_Right, this), &QShortcut::activated, this,
            &PageScreen::Command1_Click);
    connect(new QShortcut(Qt::Key_Left, this), &QShortcut::activated, this,
            &PageScreen::Command2_Click);
}

void PageScreen::addSpeakers()
{
    for (const catalogue::HotspotEntry &hotspot : catalogue::hotspots(page_)) {
        const QString name = text(hotspot.control);
        GraphicalButton *speaker = addButton(name, PictureRole::SpeakerGlyph, hotspot.rect);
        speaker->setAccessibleName(text(hotspot.animal));
        speaker->setToolTip(text(hotspot.animal));
        connect(speaker, &GraphicalButton::clicked, this, [this, name] { hotspot_Click(name); });
    }
}

void PageScreen::addTurningButtons()
{
    GraphicalButton *next =
        addButton(QStringLiteral("Command1"), PictureRole::NextGlyph, page_window::nextButton);
    next->setAccessibleName(tr("Next page"));
    connect(next, &GraphicalButton::clicked, this, &PageScreen::Command1_Click);

    GraphicalButton *previous = addButton(QStringLiteral("Command2"), PictureRole::PreviousGlyph,
                                          page_window::previousButton);
    previous->setAccessibleName(tr("Previous page"));
    connect(previous, &GraphicalButton::clicked, this, &PageScreen::Command2_Click);

    GraphicalButton *close =
        addButton(QStringLiteral("Command3"), PictureRole::CloseGlyph, page_window::closeButton);
    close->setAccessibleName(tr("Close the page"));
    connect(close, &GraphicalButton::clicked, this, &PageScreen::Command3_Click);
}

void PageScreen::setPageFocusOrder()
{
    // Page 1 starts on next; the other pages start on close.
    const QStringList names = page_ == 1
                                  ? QStringList{"Command1", "Command2", "Command3", "Command4",
                                                "Command5", "Command6", "Command7"}
                                  : QStringList{"Command3", "Command2", "Command1", "Command7",
                                                "Command6", "Command5", "Command4", "Command8"};
    QList<QWidget *> order;
    for (const QString &name : names) {
        if (auto *button = client()->findChild<GraphicalButton *>(name))
            order << button;
    }
    setFocusOrder(order);
}

void PageScreen::hotspot_Click(const QString &control)
{
    if (const auto clip = catalogue::clipOf(page_, control.toStdString()))
        trio_.PlayClip(*clip);
}

void PageScreen::Command1_Click()
{
    trio_.StopAll();
    registry().Show(catalogue::pageEntry(page_).next);
    registry().Hide(id());
}

void PageScreen::Command2_Click()
{
    trio_.StopAll();
    registry().Show(catalogue::pageEntry(page_).previous);
    registry().Hide(id());
}

void PageScreen::Command3_Click()
{
    trio_.StopAll();
    registry().Hide(id());
}

} // namespace tivak
