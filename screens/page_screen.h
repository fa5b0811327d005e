#pragma once

#include "media_player.h"
#include "player_trio.h"
#include "screen.h"

namespace tivak {

// One page of the book (Form1 to Form8): its picture, a speaker beside every animal, and the
// buttons that turn to the next or previous page or close the page. The eight pages differ only
// by their data. Every way out of a page silences it first.
class PageScreen : public Screen
{
    Q_OBJECT

public:
    PageScreen(ScreenRegistry &registry, int page, const PlayerFactory &makePlayer);

    int page() const { return page_; }

private:
    void addSpeakers();
    void addTurningButtons();
    void setPageFocusOrder();

    void hotspot_Click(const QString &control);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    int page_;
    PlayerTrio trio_;
};

} // namespace tivak
