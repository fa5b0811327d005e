#include "screen_registry.h"

#include "screen.h"

namespace tivak {

ScreenRegistry::ScreenRegistry() = default;

ScreenRegistry::~ScreenRegistry()
{
    // Screens go before the makers that may have captured what they use.
    screens_.clear();
    retired_.clear();
}

void ScreenRegistry::define(ScreenId id, Maker maker)
{
    makers_[id] = std::move(maker);
}

Screen *ScreenRegistry::find(ScreenId id) const
{
    const auto found = screens_.find(id);
    return found == screens_.end() ? nullptr : found->second.get();
}

void ScreenRegistry::Show(ScreenId id)
{
    if (ended_)
        return;
    Screen *screen = find(id);
    if (!screen) {
        const auto maker = makers_.find(id);
        if (maker == makers_.end())
            return;
        screen = (screens_[id] = maker->second(*this)).get();
        screen->placeOnCreation();
        screen->Load();
        if (ended_ || find(id) != screen)
            return;
        if (screen->style().startMaximised) {
            screen->showMaximized();
            return;
        }
    }
    screen->show();
    screen->raise();
    screen->activateWindow();
}

void ScreenRegistry::Hide(ScreenId id)
{
    if (Screen *screen = find(id))
        screen->hide();
}

void ScreenRegistry::End()
{
    if (ended_)
        return;
    ended_ = true;
    while (!screens_.empty())
        retire(screens_.begin()->first);
    emit programEnded();
}

void ScreenRegistry::closedByReader(Screen &screen)
{
    if (ended_ || find(screen.id()) != &screen)
        return;
    screen.Unload();
    retire(screen.id());
}

void ScreenRegistry::retire(ScreenId id)
{
    auto found = screens_.find(id);
    if (found == screens_.end())
        return;
    found->second->hide();
    retired_.push_back(std::move(found->second));
    screens_.erase(found);
    // The screen may be in the middle of its own event handler: destroy it once that is over.
    QMetaObject::invokeMethod(this, &ScreenRegistry::destroyRetired, Qt::QueuedConnection);
}

void ScreenRegistry::destroyRetired()
{
    retired_.clear();
}

} // namespace tivak
