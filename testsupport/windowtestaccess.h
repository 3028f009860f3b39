#pragma once

namespace lume {

// What a test must see of a window that no control shows: the bank's bytes beyond a clipped width
// and its used total, whether a transfer runs, and the controls' values as the window stores them.
// Each window names this class its friend; the accessors are templates, so the test support needs
// no window header.
class WindowTestAccess
{
public:
    WindowTestAccess() = delete;

    template<class Window> [[nodiscard]] static const auto &bank(const Window &window)
    {
        return window.m_bank;
    }

    template<class Window> [[nodiscard]] static bool isSending(const Window &window)
    {
        return window.m_send.isSending();
    }

    // Sketchlume's window.
    template<class Window> [[nodiscard]] static auto currentSettings(const Window &window)
    {
        return window.currentSettings();
    }

    // Scriptlume's window.
    template<class Window> [[nodiscard]] static auto settingsFromControls(const Window &window)
    {
        return window.settingsFromControls();
    }
};

} // namespace lume
