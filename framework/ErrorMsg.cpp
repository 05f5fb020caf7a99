#include "framework/ErrorMsg.h"

#include "resources/Resource.h"

CErrorMsg::CErrorMsg(const ErrorSink& sink) : CDialog(IDD_ERRORMSG), m_sink(sink)
{
}

BOOL CErrorMsg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetItemText(IDC_ERR_PROBLEM, m_sink.Problem);
    SetItemText(IDC_ERR_EXPLANATION, m_sink.Explanation);
    SetItemText(IDC_ERR_SUGGESTION, m_sink.Suggestion);
    return TRUE;
}

// Lives here rather than with the sink so that the rest of the framework never depends on the
// dialog layer; only the dialog that shows a sink does.
void ErrorSink::ShowError() const
{
    // The beep comes first: the user hears that something was refused before the dialog takes
    // the focus from the tool.
    MessageBeep(MB_ERRORBEEP);
    CErrorMsg dialog(*this);
    dialog.DoModal();
}
