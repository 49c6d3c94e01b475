#pragma once

#include "shell/ThemedWindow.h"

// The scoring window. (to be built)
class FrmkLID : public ThemedWindow
{
    Q_OBJECT
public:
    explicit FrmkLID(AppContext& context);

protected:
    void closeEvent(QCloseEvent* event) override;
};
