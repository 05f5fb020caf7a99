#include "app/AboutDlg.h"

#include "resources/Resource.h"

// Everything it shows is in its template; OK, Escape and the close box end it as any dialog.
CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}

CAboutDlg::~CAboutDlg() = default;
