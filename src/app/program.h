#pragma once

class Services;

// What every window shares for the whole run: the services it reaches the toolkit
// through, and whether End has run (after it no window opens again).
class Program
{
public:
    explicit Program(Services &services)
        : m_services(services)
    {
    }

    Services &services() const { return m_services; }
    bool hasEnded() const { return m_ended; }
    void end() { m_ended = true; }

private:
    Services &m_services;
    bool m_ended = false;
};
