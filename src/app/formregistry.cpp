#include "formregistry.h"

#include "form.h"
#include "services.h"

#include <QCoreApplication>
#include <QEvent>

FormRegistry::FormRegistry(Services &services, Factory factory)
    : m_services(services)
    , m_factory(std::move(factory))
{
}

FormRegistry::~FormRegistry()
{
    // Windows unloaded from their own handlers wait for deletion in the event queue.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Form &FormRegistry::instance(FormId id)
{
    auto &slot = m_forms[static_cast<std::size_t>(id)];
    if (!slot)
        slot = m_factory(id);
    return *slot;
}

void FormRegistry::End()
{
    if (m_ended)
        return;
    m_ended = true;
    for (auto &form : m_forms) {
        if (form)
            form->Unload();
    }
    m_services.endProgram();
}
