#include "platform/print/PrintDevice.h"

namespace PrintDevices {
namespace {

struct State {
    Factory factory;
    std::unique_ptr<PrintDevice> shared;
};

State &state()
{
    static State s;
    return s;
}

}

void SetFactory(Factory factory)
{
    state().shared.reset();
    state().factory = std::move(factory);
}

std::unique_ptr<PrintDevice> Create()
{
    return state().factory ? state().factory() : nullptr;
}

PrintDevice *Shared()
{
    State &s = state();
    if (!s.shared)
        s.shared = Create();
    return s.shared.get();
}

}
