#pragma once

#include "shell/ThemedWindow.h"

// The backup and restore window. (to be built)
class Frmbackup : public ThemedWindow
{
    Q_OBJECT
public:
    explicit Frmbackup(AppContext& context);
};
