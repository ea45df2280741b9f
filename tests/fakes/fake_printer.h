#pragma once

#include <string>
#include <vector>

#include "platform/api/printer.h"

namespace fortunara::test {

// Records every job exactly as the program printed it.
class FakePrinter : public Printer {
public:
    bool ChoosePrinter() override {
        ++chooseCalls;
        return chooseAnswer;
    }

    // Lines of the last job; empty when nothing was printed.
    std::vector<std::string> AllLines() const {
        return jobs.empty() ? std::vector<std::string>{} : jobs.back().AllLines();
    }

    std::vector<PrintJob> jobs;
    bool chooseAnswer = true;
    int chooseCalls = 0;

protected:
    void Deliver(const PrintJob& job) override { jobs.push_back(job); }
};

}  // namespace fortunara::test
