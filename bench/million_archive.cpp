// Writes a program folder whose archive holds COUNT draws (default 1,000,000): one draw a day from
// 01GEN1000 on, six different numbers, a jolly apart from them and a superstar, so that every
// check of `verifica` passes and every command of fortunara-cli has a long, sound archive to walk.
// Usage: million_archive FOLDER [COUNT]
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

#include "archive/core/archive_date.h"
#include "archive/core/draw_record.h"

namespace {

// The calendar day after day/month/year.
void NextDay(int& day, int& month, int& year) {
    if (!fortunara::ArchiveDate(day + 1, month, year).empty()) {
        ++day;
    } else if (month < 12) {
        day = 1;
        ++month;
    } else {
        day = 1;
        month = 1;
        ++year;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "uso: million_archive CARTELLA [ESTRAZIONI]\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const long count = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 1000000;
    std::filesystem::create_directories(folder / "dati");
    std::ofstream out(folder / "dati" / "estraz09.txt", std::ios::binary | std::ios::trunc);
    std::mt19937 generator(20090101);
    std::uniform_int_distribution<int> number(1, 90);
    int day = 1;
    int month = 1;
    int year = 1000;
    for (long k = 0; k < count; ++k, NextDay(day, month, year)) {
        std::array<int, 8> numbers{};
        std::array<bool, 91> taken{};
        for (std::size_t i = 0; i < 7; ++i) {
            int n = number(generator);
            while (taken[static_cast<std::size_t>(n)]) n = number(generator);
            taken[static_cast<std::size_t>(n)] = true;
            numbers[i] = n;
        }
        numbers[7] = number(generator);
        out << fortunara::FormatDrawRecord(fortunara::ArchiveDate(day, month, year), numbers);
    }
    out.close();
    if (!out) {
        std::cerr << "IMPOSSIBILE SCRIVERE L'ARCHIVIO IN " << folder.string() << '\n';
        return 1;
    }
    return 0;
}
