#pragma once

#include "app/testwindow.h"

#include <memory>

class TestWindowView;
struct TestDefinition;

// One run of the program: the test window's state and its widgets.
class Program
{
public:
    explicit Program(const TestDefinition &test);
    ~Program();

    // Runs the start-up and shows the test window; false after a fault,
    // which has been reported.
    bool start();

    TestWindow &testWindow() { return m_state; }
    TestWindowView *view() const { return m_view.get(); }

private:
    TestWindow m_state;
    std::unique_ptr<TestWindowView> m_view;
};

// Runs the test until the program ends; returns the exit status.
int runProgram(const TestDefinition &test);
