#include "app/KorToolsDlg.h"

#include "app/AboutDlg.h"
#include "framework/ErrorSink.h"
#include "models/AntennaCoupling.h"
#include "models/ToolRegistry.h"
#include "resources/Images.h"
#include "resources/Resource.h"
#include "resources/Strings.h"
#include "platform/SessionEnding.h"
#include "state/ToolState.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

namespace {

// The range of the registry's launcher buttons; only push buttons send BN_CLICKED, so the other
// controls in the range (the logo) are never heard, and a button without a tool stays disabled.
#define KORTOOLS_BUTTON_ID(member, Model, name, button, ...) button,
constexpr int ToolButtons[] = {KORTOOLS_TOOLS(KORTOOLS_BUTTON_ID)};
#undef KORTOOLS_BUTTON_ID
constexpr int FirstToolButton = *std::min_element(std::begin(ToolButtons), std::end(ToolButtons));
constexpr int LastToolButton = *std::max_element(std::begin(ToolButtons), std::end(ToolButtons));

// With the launcher gone the values are lost unless the user learns of it: the log always
// hears, and a user who closed the launcher also sees the error dialog. At the end of a session
// nobody is left to close one, so only the log hears.
void ReportValuesNotKept(const StateSaveResult& failure)
{
    const std::string explanation =
        std::string(ResourceString(IDS_STATE_EXPLANATION)) + ": " + failure.Path + ": " + failure.Reason;
    std::fprintf(stderr, "kortools: %s\n", explanation.c_str());
    if (IsSessionEnding())
        return;
    ErrorSink sink;
    sink.Problem = ResourceString(IDS_STATE_PROBLEM);
    sink.Explanation = explanation;
    sink.Suggestion = ResourceString(IDS_STATE_SUGGESTION);
    sink.ShowError();
}

} // namespace

CKorToolsDlg::CKorToolsDlg(ToolModels& models) : CDialog(IDD_KORTOOLS_DIALOG), m_models(models)
{
}

CKorToolsDlg::~CKorToolsDlg() = default;

const MessageMapEntry* CKorToolsDlg::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyRange<CKorToolsDlg>(FirstToolButton, LastToolButton, BN_CLICKED, &CKorToolsDlg::OnToolButton),
        MessageMapEnd,
    };
    return map;
}

// The values kept from the last run reach the models here, before OnInitDialog, so the
// antenna coupling at start-up works on them and every tool opens on them.
int CKorToolsDlg::OnCreate()
{
    if (CDialog::OnCreate() == -1)
        return -1;
    LoadToolState(m_models);
    return 0;
}

BOOL CKorToolsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    const char* aboutText = ResourceString(IDS_ABOUTBOX);
    if (aboutText && *aboutText) {
        AppendSystemMenu(0, "");
        AppendSystemMenu(IDM_ABOUTBOX, aboutText);
    }

    // A tool that is not in the program yet keeps its place on the launcher, disabled, so the
    // layout is the finished one.
    for (const ControlTemplate& control : Template()->controls)
        if (control.kind == ControlKind::PushButton && !FindToolByButton(control.id))
            EnableItem(control.id, false);

    // Whatever the models start from, the antenna tools then start in step with the gain
    // tool's dish rather than each with an antenna of its own.
    CoupleAtStartUp(m_models);
    CoupleAtmosphereAtStartUp(m_models);

    ShowLogo();
    // The focus then goes to the first tool button.
    return TRUE;
}

// The picture control is created hidden and only appears once it holds the logo, so an image
// that cannot be decoded leaves a plain gap rather than an empty frame.
void CKorToolsDlg::ShowLogo()
{
    if (!HasControl(IDC_LOGO))
        return;
    const std::span<const unsigned char> png = LogoPng();
    if (SetItemPicture(IDC_LOGO, png.data(), png.size()))
        ShowItem(IDC_LOGO, true);
}

// Every way of closing the launcher passes through here after its last tool has closed: Escape,
// the close box, and the end of the session, whose signals close every dialog through the host.
// So this is where the values are kept for the next run.
void CKorToolsDlg::OnDestroy()
{
    CDialog::OnDestroy();
    if (const StateSaveResult saved = SaveToolState(m_models); !saved)
        ReportValuesNotKept(saved);
}

void CKorToolsDlg::OnSysCommand(int command)
{
    // The low four bits of a menu command are the window system's own; only the rest names it.
    if ((command & 0xFFF0) == IDM_ABOUTBOX)
        ShowAbout();
    else
        CDialog::OnSysCommand(command);
}

void CKorToolsDlg::KeyHelp()
{
    ShowAbout();
}

void CKorToolsDlg::ShowAbout()
{
    CAboutDlg about;
    about.DoModal();
}

// A tool's dialog runs over the launcher's model, so a second opening shows what the first
// left behind. Whatever the dialog returned, and however it was closed, the launcher carries on
// with what the tool's row says comes afterwards.
void CKorToolsDlg::OnToolButton(int id)
{
    const RegisteredTool* tool = FindToolByButton(id);
    if (!tool)
        return;
    tool->runDialog(m_models);
    if (tool->afterDialog)
        tool->afterDialog(m_models);
}
