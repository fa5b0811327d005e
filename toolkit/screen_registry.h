#pragma once

#include "screen_id.h"

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace tivak {

class Screen;

// The one instance of each screen, made on first use. Screens show, hide and end through it.
class ScreenRegistry : public QObject
{
    Q_OBJECT

public:
    using Maker = std::function<std::unique_ptr<Screen>(ScreenRegistry &)>;

    ScreenRegistry();
    ~ScreenRegistry() override;

    // Says how a screen is made. Only the program's entry knows every screen.
    void define(ScreenId id, Maker maker);

    // Makes the screen visible and brings it to the front. A screen not yet made is built, placed,
    // loaded, then shown; a hidden one comes back where it was.
    void Show(ScreenId id);
    // Makes the screen invisible; it keeps its controls, players and state.
    void Hide(ScreenId id);
    // Ends the program at once: every screen goes, and no further step runs, not even Unload.
    // The program's entry stops its event loop on programEnded.
    void End();

    // The screen's instance, or none if it is not made (or no longer).
    Screen *find(ScreenId id) const;
    bool hasEnded() const { return ended_; }

    // The reader closed a screen's window: Unload runs, then the screen is destroyed.
    void closedByReader(Screen &screen);

signals:
    void programEnded();

private:
    void retire(ScreenId id);
    void destroyRetired();

    std::map<ScreenId, Maker> makers_;
    std::map<ScreenId, std::unique_ptr<Screen>> screens_;
    // Screens already gone for the reader, destroyed once the event that closed them is over.
    std::vector<std::unique_ptr<Screen>> retired_;
    bool ended_ = false;
};

} // namespace tivak
