#pragma once

#include "shell/ThemedWindow.h"

// The test window. (to be built)
class FrmTest : public ThemedWindow
{
    Q_OBJECT
public:
    explicit FrmTest(AppContext& context);

protected:
    void closeEvent(QCloseEvent* event) override;
};
