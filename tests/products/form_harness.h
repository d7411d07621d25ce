#pragma once

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "forms/text_view.h"

// What the form tests of every product family share: field groups by control id, and the check
// of which result fields a press emptied, rewrote or left alone.
namespace lorvane::harness {

inline std::set<int> FieldRange(int first, int last) {
    std::set<int> ids;
    for (int id = first; id <= last; ++id) {
        ids.insert(id);
    }
    return ids;
}

inline std::set<int> Union(std::initializer_list<std::set<int>> sets) {
    std::set<int> all;
    for (const auto& s : sets) {
        all.insert(s.begin(), s.end());
    }
    return all;
}

using Texts = std::vector<std::string>;

// After a press: the fields in `emptied` are empty, those in `updated` show a value other than
// the one they showed before, and every other result field still shows what it showed before.
inline void ExpectFields(const forms::TextView& before, const forms::TextView& after,
                         const std::set<int>& resultFields, const std::set<int>& emptied,
                         const std::set<int>& updated) {
    for (int id : resultFields) {
        if (emptied.count(id)) {
            EXPECT_EQ(after.Text(id), "") << "field " << id << " should be empty";
        } else if (updated.count(id)) {
            EXPECT_NE(after.Text(id), "") << "field " << id << " should show a value";
            EXPECT_NE(after.Text(id), before.Text(id)) << "field " << id << " should change";
        } else {
            EXPECT_EQ(after.Text(id), before.Text(id)) << "field " << id << " should keep its text";
        }
    }
}

}  // namespace lorvane::harness
