#pragma once
#include <functional>
#include <string_view>

// A gettext catalogue (a GNU .mo file), as the atlas library's translations come: each
// original text with its translation. For the atlas, the original is a place's GeoNames id and
// the translation its name in the catalogue's language. Plain C++, for the atlas reader too.

// Gives each pair of the catalogue to `take`, in the catalogue's order, the header entry (empty
// original) left out. False, and nothing given, for bytes that are not a whole catalogue:
// another magic number, or a table or text that reaches past the end.
bool Read_Name_Catalogue(std::string_view bytes,
                         const std::function<void(std::string_view original, std::string_view translation)>& take);
