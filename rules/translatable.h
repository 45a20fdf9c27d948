// Marks a text of the rules that the windows say in the player's language.
// The rules speak English and know nothing of translation; the tool that
// gathers the catalogues' texts finds these by the macro's name, with the
// context the windows translate them in.
#pragma once

#define VINTREL_TRANSLATABLE(context, text) text
