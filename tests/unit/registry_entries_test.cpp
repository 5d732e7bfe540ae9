#include "common/registry_entries.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The tree that holds a key: the key itself or one below it.
const RegistryTree* treeOf(RegistryRoot root, const std::string& key) {
    for (const RegistryTree& tree : kRegistryTrees) {
        const std::string top = tree.key;
        if (tree.root == root && (key == top || key.compare(0, top.size() + 1, top + "\\") == 0)) return &tree;
    }
    return nullptr;
}

// What the uninstaller deletes covers everything the installer writes, so an
// uninstall leaves no value behind.
TEST(RegistryEntries, EveryWrittenValueLiesInADeletedTree) {
    for (const RegistryValue& value : kRegistryValues) {
        EXPECT_NE(treeOf(value.root, value.key), nullptr)
            << value.key << (value.name ? std::string(" ") + value.name : std::string(" (default)"));
    }
}

// And it deletes nothing the installer did not create: every tree holds a value.
TEST(RegistryEntries, EveryDeletedTreeHoldsAWrittenValue) {
    for (const RegistryTree& tree : kRegistryTrees) {
        int values = 0;
        for (const RegistryValue& value : kRegistryValues) values += treeOf(value.root, value.key) == &tree;
        EXPECT_GT(values, 0) << tree.key;
    }
}

TEST(RegistryEntries, FixedTextsAndComputedData) {
    int fixed = 0;
    for (const RegistryValue& value : kRegistryValues) {
        if (value.data == RegistryData::FixedText) {
            fixed++;
            EXPECT_NE(value.text, nullptr) << value.key;
        } else {
            EXPECT_EQ(value.text, nullptr) << value.key << ": computed data has no fixed text";
        }
    }
    EXPECT_EQ(fixed, 4);
    EXPECT_EQ(sizeof kRegistryValues / sizeof kRegistryValues[0], 9u);
}

}  // namespace
