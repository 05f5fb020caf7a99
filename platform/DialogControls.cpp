// A dialog's reach into its running window: its controls, and the entries and function keys
// of the window's own menu.
#include "platform/Dialog.h"

#include <algorithm>

#include "platform/DialogHost.h"

bool CDialog::SetCaption(const std::string& text)
{
    return m_window && m_window->SetCaption(text);
}

bool CDialog::HasControl(int id) const
{
    return m_window && m_window->HasControl(id);
}

bool CDialog::GetItemText(int id, std::string& out) const
{
    return m_window && m_window->GetText(id, out);
}

bool CDialog::SetItemText(int id, const std::string& text)
{
    return m_window && m_window->SetText(id, text);
}

bool CDialog::IsItemModified(int id) const
{
    return m_window && m_window->IsModified(id);
}

bool CDialog::SetItemModified(int id, bool modified)
{
    return m_window && m_window->SetModified(id, modified);
}

bool CDialog::SetItemToolTip(int id, const std::string& text)
{
    return m_window && m_window->SetToolTip(id, text);
}

bool CDialog::IsItemEnabled(int id) const
{
    return m_window && m_window->IsEnabled(id);
}

bool CDialog::EnableItem(int id, bool enabled)
{
    return m_window && m_window->SetEnabled(id, enabled);
}

bool CDialog::IsItemVisible(int id) const
{
    return m_window && m_window->IsVisible(id);
}

bool CDialog::ShowItem(int id, bool visible)
{
    return m_window && m_window->SetVisible(id, visible);
}

bool CDialog::IsItemChecked(int id) const
{
    return m_window && m_window->IsChecked(id);
}

bool CDialog::CheckItem(int id, bool checked)
{
    return m_window && m_window->SetChecked(id, checked);
}

bool CDialog::ResetList(int id)
{
    return m_window && m_window->ResetList(id);
}

bool CDialog::AddListEntry(int id, const std::string& text)
{
    return m_window && m_window->AddListEntry(id, text);
}

int CDialog::GetListSelection(int id) const
{
    return m_window ? m_window->GetListSelection(id) : -1;
}

bool CDialog::SetListSelection(int id, int index)
{
    return m_window && m_window->SetListSelection(id, index);
}

int CDialog::GetFocusItem() const
{
    return m_window ? m_window->GetFocus() : -1;
}

bool CDialog::SetFocusItem(int id)
{
    return m_window && m_window->SetFocus(id);
}

bool CDialog::SetItemPicture(int id, const unsigned char* png, std::size_t size)
{
    return m_window && m_window->SetPicture(id, png, size);
}

void CDialog::AppendSystemMenu(int command, const std::string& text)
{
    m_systemMenu.push_back({command, text});
}

void CDialog::InsertSystemMenu(std::size_t position, int command, const std::string& text)
{
    m_systemMenu.insert(m_systemMenu.begin() + static_cast<std::ptrdiff_t>(std::min(position, m_systemMenu.size())),
                        SystemMenuItem{command, text});
}

void CDialog::BindFunctionKey(int number, int command)
{
    m_functionKeys.emplace_back(number, command);
}

int CDialog::FunctionKeyOf(int command) const
{
    for (const auto& [key, bound] : m_functionKeys)
        if (bound == command)
            return key;
    return 0;
}
