// Closing the program's dialogs when the session ends under it, so the program leaves through
// its ordinary exit path (and saves what it keeps) instead of being cut off.
#pragma once

class QtHost;

// Routes SIGTERM, SIGHUP and SIGINT, and Qt's reports that the session is ending or the
// application is quitting, to host.CloseAll(), with IsSessionEnding() (platform/SessionEnding.h)
// true from then on. Call after the QApplication exists; the host
// must outlive it. Calling again only changes the host.
void InstallSessionEndHandlers(QtHost& host);
