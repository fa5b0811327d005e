#pragma once

#include <string_view>

namespace tivak {

// The ten screens of the book. Form1 to Form8 are the pages 1 to 8, Form9 the start screen.
enum class ScreenId { Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, frmAbout };

// The screen's fixed name, as the windows and the tests know it ("Form3", "frmAbout").
constexpr std::string_view screenName(ScreenId id)
{
    switch (id) {
    case ScreenId::Form1: return "Form1";
    case ScreenId::Form2: return "Form2";
    case ScreenId::Form3: return "Form3";
    case ScreenId::Form4: return "Form4";
    case ScreenId::Form5: return "Form5";
    case ScreenId::Form6: return "Form6";
    case ScreenId::Form7: return "Form7";
    case ScreenId::Form8: return "Form8";
    case ScreenId::Form9: return "Form9";
    case ScreenId::frmAbout: return "frmAbout";
    }
    return {};
}

inline constexpr ScreenId allScreens[] = {
    ScreenId::Form9, ScreenId::Form1, ScreenId::Form2, ScreenId::Form3,   ScreenId::Form4,
    ScreenId::Form5, ScreenId::Form6, ScreenId::Form7, ScreenId::Form8, ScreenId::frmAbout,
};

} // namespace tivak
