#pragma once
// Temporary changes of options. A calculation that needs an option otherwise for a while takes a
// CScopedOption; it gives the value back on every way out of the scope, exceptions included. Tests
// take one CScopedOptions and may change any option: all come back when it goes.
#include <array>
#include <string>
#include <type_traits>
#include <utility>

#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/varga_options.h"
#include "core/zodiac_names.h"

// Sets one option global to `value` for the lifetime of the object, then puts the old value back.
template <class T> class CScopedOption {
public:
    CScopedOption(T& option, std::type_identity_t<T> value)
        : m_option(option), m_saved(std::exchange(option, std::move(value))) {}
    ~CScopedOption() { m_option = std::move(m_saved); }
    CScopedOption(const CScopedOption&) = delete;
    CScopedOption& operator=(const CScopedOption&) = delete;

private:
    T& m_option;
    T m_saved;
};

// The values of every option the core holds (the Core rows of option_table.h), of the two records
// beside them (the ayanamsa choice and the custom D-N) and of the varga columns' names, labels and
// titles that a calculation builds from them ("D-2 (Jn)"), so that no label outlives the options it
// names.
class COptionSnapshot {
public:
    COptionSnapshot(); // the values in force now
    // Puts the values back; the ayanamsa choice goes back to the ephemeris library too.
    void Restore() const;

private:
#define SNAPSHOT_MEMBER(layer, section, form, type, name, ...) OPTION_OF_LAYER(layer, Core, type name;)
    OPTION_TABLE(SNAPSHOT_MEMBER)
#undef SNAPSHOT_MEMBER
    CAyanamsaSettings m_ayanamsa;
    CustomDivisionSettings m_customDivision;
    std::array<std::string, kVargaColumnCount + 1> m_vargaNames;
    std::array<std::string, kVargaColumnCount> m_vargaLabels;
    std::array<std::string, kVargaColumnCount> m_vargaTitles;
};

// Every option of a snapshot's kind as it was when the object was made, put back when it goes.
template <class Snapshot> class CScopedSnapshot {
public:
    CScopedSnapshot() = default;
    ~CScopedSnapshot() { m_saved.Restore(); }
    CScopedSnapshot(const CScopedSnapshot&) = delete;
    CScopedSnapshot& operator=(const CScopedSnapshot&) = delete;

private:
    Snapshot m_saved;
};

// Every core option as it was when the object was made, put back when it goes.
using CScopedOptions = CScopedSnapshot<COptionSnapshot>;
