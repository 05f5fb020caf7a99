// A dialog's life under its host: running modally, creation and destruction, notifications
// through the message map, and the keys that press buttons or close it.
#include "platform/Dialog.h"

#include "platform/DialogHost.h"

namespace {

DialogHost* g_host = nullptr;

const MessageMapEntry EmptyMessageMap[] = {MessageMapEnd};

} // namespace

void SetDialogHost(DialogHost* host)
{
    g_host = host;
}

DialogHost* GetDialogHost()
{
    return g_host;
}

void MessageBeep(unsigned type)
{
    if (g_host)
        g_host->Beep(type);
}

CDialog::CDialog(int templateId)
    : m_templateId(templateId), m_template(FindDialogTemplate(templateId))
{
}

CDialog::CDialog(const DialogTemplate& dialogTemplate)
    : m_templateId(dialogTemplate.id), m_template(&dialogTemplate)
{
}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    if (!g_host || !m_template)
        return -1;
    m_ending = false;
    m_destroying = false;
    m_result = -1;
    m_leaving = false;
    return g_host->RunModal(*this);
}

void CDialog::EndDialog(int result)
{
    if (!m_window)
        return;
    m_ending = true;
    m_result = result;
    m_window->EndModal(result);
}

bool CDialog::KeyFunction(int number)
{
    // Like a menu entry, a shortcut does nothing once the dialog is ending or gone.
    if (!m_window || m_ending)
        return false;
    for (const auto& [key, command] : m_functionKeys) {
        if (key == number) {
            OnSysCommand(command);
            return true;
        }
    }
    return false;
}

int CDialog::HostCreate(DialogWindow* window)
{
    m_window = window;
    if (OnCreate() == -1) {
        m_window = nullptr;
        return -1;
    }
    return 0;
}

void CDialog::HostInit()
{
    if (OnInitDialog() && !m_ending) {
        const int first = FirstTabStop();
        if (first != -1)
            SetFocusItem(first);
    }
}

void CDialog::HostDestroy()
{
    m_destroying = true;
    OnDestroy();
    m_window = nullptr;
}

void CDialog::Notify(int id, int code)
{
    if (!m_window || m_ending || m_destroying)
        return;
    if (code == EN_KILLFOCUS) {
        // A leave handler may show the error dialog, which takes the focus from the edit being
        // left, or from the one the user had just moved to; neither is applied from in there.
        if (m_leaving)
            return;
        if (const MessageMapEntry* entry = FindEntry(id, code)) {
            m_leaving = true;
            Dispatch(*entry, id);
            m_leaving = false;
        }
        return;
    }
    if (const MessageMapEntry* entry = FindEntry(id, code)) {
        Dispatch(*entry, id);
        return;
    }
    if (code == BN_CLICKED && id == IDOK)
        OnOK();
    else if (code == BN_CLICKED && id == IDCANCEL)
        OnCancel();
}

void CDialog::KeyEnter()
{
    if (!m_window || m_ending)
        return;
    const int focus = GetFocusItem();
    const ControlTemplate* focused = m_template ? m_template->Find(focus) : nullptr;
    if (focused && focused->kind == ControlKind::PushButton) {
        Notify(focus, BN_CLICKED);
        return;
    }
    int command = IDOK;
    if (m_template) {
        for (const ControlTemplate& control : m_template->controls) {
            if (control.kind == ControlKind::PushButton && (control.flags & CF_DEFAULT)) {
                command = control.id;
                break;
            }
        }
    }
    // A disabled default button cannot be pressed.
    if (command != IDOK && !IsItemEnabled(command))
        return;
    Close(command);
}

void CDialog::KeyEscape()
{
    if (m_window && !m_ending)
        Close(IDCANCEL);
}

void CDialog::CloseBox()
{
    if (m_window && !m_ending)
        Close(IDCANCEL);
}

void CDialog::Close(int commandId)
{
    ApplyFocusedEdit();
    if (!m_ending)
        Notify(commandId, BN_CLICKED);
}

void CDialog::ApplyFocusedEdit()
{
    const int focus = GetFocusItem();
    const ControlTemplate* focused = m_template ? m_template->Find(focus) : nullptr;
    if (focused && focused->kind == ControlKind::Edit && HasKillFocusHandler(focus))
        Notify(focus, EN_KILLFOCUS);
}

void CDialog::KeyHelp()
{
}

void CDialog::OnSysCommand(int)
{
}

bool CDialog::HasKillFocusHandler(int id) const
{
    return FindEntry(id, EN_KILLFOCUS) != nullptr;
}

int CDialog::FirstTabStop() const
{
    if (!m_template || !m_window)
        return -1;
    for (const ControlTemplate& control : m_template->controls) {
        if (control.id == IDC_STATIC || !IsTabStop(control))
            continue;
        if (m_window->IsEnabled(control.id) && m_window->IsVisible(control.id))
            return control.id;
    }
    return -1;
}

int CDialog::OnCreate()
{
    return 0;
}

BOOL CDialog::OnInitDialog()
{
    return TRUE;
}

void CDialog::OnDestroy()
{
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

const MessageMapEntry* CDialog::GetMessageMap() const
{
    return EmptyMessageMap;
}

const MessageMapEntry* CDialog::FindEntry(int id, int code) const
{
    for (const MessageMapEntry* entry = GetMessageMap(); entry && !entry->IsEnd(); ++entry)
        if (entry->code == code && entry->Covers(id))
            return entry;
    return nullptr;
}

void CDialog::Dispatch(const MessageMapEntry& entry, int id)
{
    if (entry.idHandler)
        (this->*entry.idHandler)(id);
    else
        (this->*entry.handler)();
}
