#pragma once

#include "shell/ThemedWindow.h"

// The subject browser. (to be built)
class FrmCode : public ThemedWindow
{
    Q_OBJECT
public:
    explicit FrmCode(AppContext& context);

protected:
    void closeEvent(QCloseEvent* event) override;
};
