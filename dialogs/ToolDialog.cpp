#include "dialogs/ToolDialog.h"

#include "framework/KorObj.h"
#include "framework/ValueReport.h"
#include "models/ToolCatalog.h"
#include "platform/DialogHost.h"
#include "resources/Resource.h"
#include "resources/Strings.h"

#include <string>

namespace {

void AppendMenuItem(CDialog& dialog, int command, int textId)
{
    if (const char* text = ResourceString(textId))
        dialog.AppendSystemMenu(command, text);
}

void PutOnClipboard(const std::string& text)
{
    if (DialogHost* host = GetDialogHost())
        host->SetClipboardText(text);
}

} // namespace

// Added here rather than in OnInitDialog, which some tools replace with their own: the menu is
// the dialog's whatever its initialisation, and once however often it runs.
CToolDialog::CToolDialog(int templateId, CKorObj& model) : CDialog(templateId), m_toolModel(model)
{
    AppendSystemMenu(0, "");
    m_copyEntries = SystemMenu().size();
    AppendMenuItem(*this, IDM_COPY_VALUES, IDS_COPY_VALUES);
    // A command line needs a tool of kortools-calc to name; every tool's model is one.
    if (ToolOf(model))
        AppendMenuItem(*this, IDM_COPY_COMMAND, IDS_COPY_COMMAND);
}

void CToolDialog::AddToolMenuItem(int command, int textId)
{
    const char* text = ResourceString(textId);
    if (!text)
        return;
    if (!m_toolEntries) {
        InsertSystemMenu(m_copyEntries++, 0, "");
        m_toolEntries = true;
    }
    // Each goes in after the tool's entries before it, ahead of the separator closing them.
    InsertSystemMenu(m_copyEntries - 1, command, text);
    ++m_copyEntries;
}

// Both copy what the model holds: the values the edits show after the last accepted entry. Text
// typed into an edit and not yet applied is not among them; the tool itself does not hold it.
void CToolDialog::OnSysCommand(int command)
{
    // The low four bits of a menu command are the window system's own; only the rest names it.
    switch (command & 0xFFF0) {
    case IDM_COPY_VALUES:
        PutOnClipboard(FormatValueLines(m_toolModel));
        break;
    case IDM_COPY_COMMAND:
        if (const RegisteredTool* tool = ToolOf(m_toolModel))
            PutOnClipboard(CommandLineFor(*tool, m_toolModel));
        break;
    default:
        CDialog::OnSysCommand(command);
        break;
    }
}
