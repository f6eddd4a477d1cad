#include "SimHost/UiThread.hpp"

#include "SimHost/HostError.hpp"

#include "CrashReport.hpp"

#include <pthread.h>

#include <exception>

namespace SimHost {

namespace {

struct UiWork {
    const std::function<int ()>* work;
    int                          result = 0;
    std::exception_ptr           thrown;
};

extern "C" void* RunUiWork (void* argument)
{
    auto* ui = static_cast<UiWork*> (argument);
    try {
        ui->result = (*ui->work) ();
    } catch (...) {
        ui->thrown = std::current_exception ();
    }
    LeaveCrashReport ();
    return nullptr;
}

}   // namespace

int RunOnUiThread (const std::function<int ()>& work)
{
    UiWork         ui { &work, 0, nullptr };
    pthread_attr_t attributes;
    pthread_attr_init (&attributes);
    pthread_attr_setstacksize (&attributes, UiThreadStackBytes);
    pthread_t thread;
    const int started = pthread_create (&thread, &attributes, &RunUiWork, &ui);
    pthread_attr_destroy (&attributes);
    if (started != 0)
        throw HostError ("cannot start the UI thread");
    pthread_join (thread, nullptr);
    if (ui.thrown)
        std::rethrow_exception (ui.thrown);
    return ui.result;
}

}   // namespace SimHost
