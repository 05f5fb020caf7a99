#include "app/KorToolsDlg.h"

#include "app/AboutDlg.h"
#include "app/ToolModels.h"
#include "resources/Images.h"
#include "resources/Resource.h"
#include "resources/Strings.h"

namespace {

// Each entry leaves this list in the change that brings its tool's model and dialog.
constexpr int PendingTools[] = {
    IDC_BUTTON_GMAX,     // peak gain
    IDC_BUTTON_THETA3DB, // half-power beamwidth
    IDC_BUTTON_GREL,     // off-axis gain
    IDC_BUTTON_CN,       // C/N link budget
    IDC_BUTTON_CNI,      // C/(N+I)
    IDC_BUTTON_PFD,      // power flux density
    IDC_BUTTON_PERIOD,   // orbit period
    IDC_BUTTON_ANGLES,   // field-of-view angles
};

} // namespace

CKorToolsDlg::CKorToolsDlg(ToolModels& models) : CDialog(IDD_KORTOOLS_DIALOG), m_models(models)
{
}

CKorToolsDlg::~CKorToolsDlg() = default;

std::span<const int> CKorToolsDlg::PendingToolButtons()
{
    return PendingTools;
}

const MessageMapEntry* CKorToolsDlg::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotify<CKorToolsDlg>(IDC_BUTTON_DB, BN_CLICKED, &CKorToolsDlg::OnDb),
        OnNotify<CKorToolsDlg>(IDC_BUTTON_FREQ, BN_CLICKED, &CKorToolsDlg::OnFreq),
        OnNotify<CKorToolsDlg>(IDC_BUTTON_SPREAD, BN_CLICKED, &CKorToolsDlg::OnSpread),
        OnNotify<CKorToolsDlg>(IDC_BUTTON_PATH, BN_CLICKED, &CKorToolsDlg::OnPath),
        OnNotify<CKorToolsDlg>(IDC_BUTTON_TEMP, BN_CLICKED, &CKorToolsDlg::OnTemp),
        OnNotify<CKorToolsDlg>(IDC_BUTTON_GTOT, BN_CLICKED, &CKorToolsDlg::OnGtoT),
        MessageMapEnd,
    };
    return map;
}

// Nothing is restored yet: the models start from their constructors' values. Values kept from
// the last run belong here, where they reach the models before any tool can be opened.
int CKorToolsDlg::OnCreate()
{
    return CDialog::OnCreate();
}

BOOL CKorToolsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    const char* aboutText = ResourceString(IDS_ABOUTBOX);
    if (aboutText && *aboutText) {
        AppendSystemMenu(0, "");
        AppendSystemMenu(IDM_ABOUTBOX, aboutText);
    }

    for (int id : PendingTools)
        EnableItem(id, false);

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

// Nothing is kept yet for the next run. This is the one place every way of closing the launcher
// passes through after its last tool has closed.
void CKorToolsDlg::OnDestroy()
{
    CDialog::OnDestroy();
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
// left behind. Whatever the dialog returned, the launcher carries on.
void CKorToolsDlg::OnDb()
{
    m_models.db.RunDialog();
}

void CKorToolsDlg::OnFreq()
{
    m_models.freq.RunDialog();
}

void CKorToolsDlg::OnSpread()
{
    m_models.spread.RunDialog();
}

void CKorToolsDlg::OnPath()
{
    m_models.path.RunDialog();
}

void CKorToolsDlg::OnTemp()
{
    m_models.temp.RunDialog();
}

void CKorToolsDlg::OnGtoT()
{
    m_models.gtot.RunDialog();
}
