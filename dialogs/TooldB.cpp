#include "dialogs/TooldB.h"

#include "dialogs/Binding.h"
#include "models/KOTDB.h"
#include "resources/Resource.h"

int CKOTDB::RunDialog()
{
    CTooldB dialog(this);
    return dialog.DoModal() == -1 ? 0 : 1;
}

CTooldB::CTooldB(CKOTDB* model) : CDialog(IDD_TOOL_DB), m_model(model)
{
}

CTooldB::~CTooldB() = default;

BOOL CTooldB::OnInitDialog()
{
    CDialog::OnInitDialog();
    Refresh();
    return TRUE;
}

const MessageMapEntry* CTooldB::GetMessageMap() const
{
    // The edits have no handler: typing changes nothing until an arrow is pressed.
    static const MessageMapEntry map[] = {
        OnNotify<CTooldB>(IDC_DB_TO_DB, BN_CLICKED, &CTooldB::OnToDecibels),
        OnNotify<CTooldB>(IDC_DB_TO_ABSOLUTE, BN_CLICKED, &CTooldB::OnToAbsolute),
        MessageMapEnd,
    };
    return map;
}

// Both arrows refresh whatever the model said, so a refused entry is replaced by the value
// the model still holds.
void CTooldB::OnToDecibels()
{
    SetVarFromEdit(this, m_model, CKOTDB::VarAbsolute, IDC_DB_ABSOLUTE);
    Refresh();
}

void CTooldB::OnToAbsolute()
{
    SetVarFromEdit(this, m_model, CKOTDB::VarDb, IDC_DB_DECIBELS);
    Refresh();
}

void CTooldB::Refresh()
{
    ShowVar(this, m_model, CKOTDB::VarAbsolute, IDC_DB_ABSOLUTE);
    ShowVar(this, m_model, CKOTDB::VarDb, IDC_DB_DECIBELS);
}
