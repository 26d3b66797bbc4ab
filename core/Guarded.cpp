#include "core/Guarded.h"

#include "core/Errors.h"
#include "core/Ui.h"

void RunGuarded(const std::function<void()>& body)
{
    try {
        body();
    } catch (const EGameError& error) {
        ui().errorBox(error.message());
    } catch (const std::exception& error) {
        ui().errorBox(QString::fromLocal8Bit(error.what()));
    }
}
