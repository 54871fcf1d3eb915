#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>

class Form;
class Services;

// The twelve windows of the program, in the order End closes them.
enum class FormId {
    frmSplash,
    frmAuswahl,
    frmAnleitung,
    frm3x4,
    frm4x4,
    frm6x4,
    frm6x6,
    frm8x5,
    frm8x8,
    frmUrkunde,
    frmDrucken,
    frmWeiter,
};
inline constexpr std::size_t formCount = 12;

// Holds the single global instance of every window, created on the first reference
// to its name and never replaced.
class FormRegistry
{
public:
    using Factory = std::function<std::unique_ptr<Form>(FormId)>;

    FormRegistry(Services &services, Factory factory);
    virtual ~FormRegistry();

    FormRegistry(const FormRegistry &) = delete;
    FormRegistry &operator=(const FormRegistry &) = delete;

    Services &services() const { return m_services; }

    // Ends the program at once: every window closes, and no later Show opens one.
    void End();
    bool hasEnded() const { return m_ended; }

protected:
    Form &instance(FormId id);

    template<typename Window>
    Window &instance(FormId id)
    {
        return static_cast<Window &>(instance(id));
    }

private:
    Services &m_services;
    Factory m_factory;
    std::array<std::unique_ptr<Form>, formCount> m_forms;
    bool m_ended = false;
};
