// What every dialog host owes the dialogs, written once and run against each host: the scripted
// host of the tests and the Qt host of the program, offscreen. Each host's adapter plays the
// user the way that host's own tests do and instantiates the suite, so the two hosts cannot
// drift apart unnoticed.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

class CDialog;

// Returned by HostDriver::Run when the user's script left the dialog open.
inline constexpr int LeftOpen = -2;

class HostDriver {
public:
    virtual ~HostDriver() = default;

    // Runs the dialog modally; once it has the keyboard, `user` acts on it through this driver,
    // and a dialog `user` leaves open is ended with LeftOpen. A nested run is started the same
    // way, from a script or a handler. Returns the result the run ended with.
    virtual int Run(CDialog& dialog, const std::function<void()>& user) = 0;

    // --- What the user does, on the innermost running dialog. ---

    // Clicks into the edit, selects its text and types over it.
    virtual void TypeInto(int editId, const std::string& text) = 0;
    // Types into the focused edit, over its selection or at its caret.
    virtual void Type(const std::string& keys) = 0;
    virtual void PressTab() = 0;
    virtual void Click(int id) = 0;
    // Opens the list and picks the entry.
    virtual void Choose(int listId, int index) = 0;
    virtual void PressEnter() = 0;
    virtual void PressEscape() = 0;
    virtual void CloseBox() = 0;
    // F2 to F12.
    virtual void PressFunctionKey(int number) = 0;

    // --- What the user sees of the innermost running dialog. ---

    virtual std::string Text(int id) = 0;
    virtual std::string ToolTip(int id) = 0;
    virtual bool Enabled(int id) = 0;
    virtual bool Checked(int id) = 0;
    // The control with the keyboard focus, or -1.
    virtual int Focus() = 0;
    // Whether the user can reach this running dialog: no modal dialog runs above it.
    virtual bool TakesInput(const CDialog& dialog) = 0;
    // What the user would paste into another program now.
    virtual std::string PastedText() = 0;
};

// One host to run the suite on: its name in the test names, and how to make its driver.
struct HostDriverFactory {
    const char* name;
    std::unique_ptr<HostDriver> (*make)();
};

inline void PrintTo(const HostDriverFactory& factory, std::ostream* out)
{
    *out << factory.name;
}

// Instantiated by each host's adapter with a factory for its driver:
// INSTANTIATE_TEST_SUITE_P(Name, HostContract, ::testing::Values(factory), HostName);
class HostContract : public ::testing::TestWithParam<HostDriverFactory> {
protected:
    void SetUp() override { m_driver = GetParam().make(); }
    void TearDown() override { m_driver.reset(); }
    HostDriver& User() { return *m_driver; }

private:
    std::unique_ptr<HostDriver> m_driver;
};

inline std::string HostName(const ::testing::TestParamInfo<HostDriverFactory>& info)
{
    return info.param.name;
}
