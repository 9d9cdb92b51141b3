#pragma once

#include "framework/app.h"

// Quantik's application object: it sets the dialog colours of the process and runs the
// converter window.
class CConverterApp : public CWinApp {
public:
    // Runs the converter window modally and returns false: the program ends with it.
    bool InitInstance() override;
};
