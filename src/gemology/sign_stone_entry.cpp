#include "gemology/sign_stone_entry.h"

const SignStoneEntry* Find_Sign_Row(std::span<const SignStoneEntry> table, const std::optional<std::string>& sign)
{
    if (!sign)
        return nullptr;
    for (const SignStoneEntry& row : table) {
        if (row.sign == *sign)
            return &row;
    }
    return nullptr;
}
