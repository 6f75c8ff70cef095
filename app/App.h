// The application object: prepares the common controls and runs the main dialog modally for
// the whole life of the program.
#pragma once

#include "framework/Afx.h"

class CQuarrix_Disk_FormatterApp : public CWinApp {
public:
    CQuarrix_Disk_FormatterApp() = default;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
