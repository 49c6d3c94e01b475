#pragma once

#include "shell/ThemedWindow.h"

// The version check window. (to be built)
class FrmUpdate : public ThemedWindow
{
    Q_OBJECT
public:
    explicit FrmUpdate(AppContext& context);
};
