#pragma once

#include "screen.h"

namespace tivak {

// frmAbout: the credits, framed by two farm pictures, and one button that puts them away.
class AboutBox : public Screen
{
    Q_OBJECT

public:
    explicit AboutBox(ScreenRegistry &registry);

private:
    void Command1_Click();
};

} // namespace tivak
