#include "items/item_names.h"

#include "items/named_values.h"
#include "rom_io/hex_functions.h"

// Indexed by item number; the ROM's own tables follow the same order. Several
// names stand at more than one index, as the games' unused slots do.
const std::array<std::string_view, ItemCount> ItemNames{{
    "Nothing", "Master Ball", "Ultra Ball", "Bright Powder",  // 0
    "Great Ball", "Poké Ball", "Teru-Sama", "Bicycle",  // 4
    "Moon Stone", "Antidote", "Burn heal", "Ice heal",  // 8
    "Awakening", "Paralyze heal", "Full Restore", "Max Potion",  // 12
    "Hyper Potion", "Super Potion", "Potion", "Escape Rope",  // 16
    "Repel", "Max Elixer", "Fire Stone", "Thunder Stone",  // 20
    "Water Stone", "Teru-Sama", "HP Up", "Protein",  // 24
    "Iron", "Carbos", "Lucky Punch", "Calcium",  // 28
    "Rare Candy", "X Accuracy", "Leaf Stone", "Metal Powder",  // 32
    "Nugget", "pokeDoll", "Full Heal", "Revive",  // 36
    "Max Revive", "Guard Spec.", "Super Repel", "Max Repel",  // 40
    "Dire Hit", "Teru-Sama", "Fresh Water", "Soda Pop",  // 44
    "Lemonade", "X=Attack", "Teru-Sama", "X=Defend",  // 48
    "X=Speed", "X=Special", "Coin Case", "Item Finder",  // 52
    "Teru-Sama", "Exp. Share", "Old Rod", "Good Rod",  // 56
    "Silver Leaf", "Super Rod", "PP UP", "Ether",  // 60
    "Max Ether", "Elixer", "Red Scale", "Secret Potion",  // 64
    "S.S.Aqua Ticket", "Mystery Egg", "Clear Bell (Crystal Only)", "Silver Wing",  // 68
    "MooMoo Milk", "Quick Claw", "Psn Cure Berry", "Gold Leaf",  // 72
    "Soft Sand", "Sharp Beak", "Prz Cure Berry", "Burnt Berry",  // 76
    "Ice Berry", "Poison Barb", "King's Rock", "Bitter Berry",  // 80
    "Mint Berry", "Red Apricorn", "Tiny Mushroom", "Big Mushroom",  // 84
    "Silver Powder", "Blue Apricorn", "Teru-Sama", "Amulet Coin",  // 88
    "Yellow Apricorn", "Green Apricorn", "Cleanse Tag", "Mystic Water",  // 92
    "Twisted Spoon", "White Apricorn", "Black Belt", "Black Apricorn",  // 96
    "Teru-Sama", "Pink Apricorn", "Black Glasses", "Slowpoke Tail",  // 100
    "Pink Bow", "Stick", "Smoke Ball", "Never-Melt Ice",  // 104
    "Magnet", "Miracle Berry", "Pearl", "Big Pearl",  // 108
    "EverStone", "Spell Tag", "Rage Candy Bar", "GS Ball (Crystal Only)",  // 112
    "Blue Card (Crystal Only)", "Miracle seed", "Thick Club", "Focus Band",  // 116
    "Teru-Sama", "Energy Powder", "Energy Root", "Heal Powder",  // 120
    "Revival Herb", "Hard Stone", "Lucky Egg", "Card Key",  // 124
    "Machine Part", "Egg Ticket (Crystal Only)", "Lost Item", "Star Dust",  // 128
    "Star Piece", "Basement key", "Pass", "Teru-Sama",  // 132
    "Teru-Sama", "Teru-Sama", "Charcoal", "Berry Juice",  // 136
    "Scope Lens", "Teru-Sama", "Teru-Sama", "Metal Coat",  // 140
    "Dragon Fang", "Teru-Sama", "LeftOvers", "Teru-Sama",  // 144
    "Teru-Sama", "Teru-Sama", "Mystery Berry", "Dragon scale",  // 148
    "Berserk Gene", "Teru-Sama", "Teru-Sama", "Teru-Sama",  // 152
    "Sacred Ash", "Heavy Ball", "Flower Mail", "Level Ball",  // 156
    "Lure Ball", "Fast Ball", "Teru-Sama", "Light Ball",  // 160
    "Friend Ball", "Moon Ball", "Love Ball", "Normal Box",  // 164
    "Gorgeous Box", "Sun Stone", "Polkadot Bow", "Teru-Sama",  // 168
    "Up-Grade", "Berry", "Gold Berry", "Squirt Bottle",  // 172
    "Teru-Sama", "Park Ball", "Rainbow Wing", "Teru-Sama",  // 176
    "Brick Piece", "Surf Mail", "Lite Blue Mail", "Portrait Mail",  // 180
    "Lovely Mail", "Eon Mail", "Morph Mail", "Blue Sky Mail",  // 184
    "Music Mail", "Mirage Mail", "Teru-Sama", "TM 1",  // 188
    "TM 2", "TM 3", "TM 4", "Duplicate",  // 192
    "TM 5", "TM 6", "TM 7", "TM 8",  // 196
    "TM 9", "TM 10", "TM 11", "TM 12",  // 200
    "TM 13", "TM 14", "TM 15", "TM 16",  // 204
    "TM 17", "TM 18", "TM 19", "TM 20",  // 208
    "TM 21", "TM 22", "TM 23", "TM 24",  // 212
    "TM 25", "TM 26", "TM 27", "TM 28",  // 216
    "Duplicate", "TM 29", "TM 30", "TM 31",  // 220
    "TM 32", "TM 33", "TM 34", "TM 35",  // 224
    "TM 36", "TM 37", "TM 38", "TM 39",  // 228
    "TM 40", "TM 41", "TM 42", "TM 43",  // 232
    "TM 44", "TM 45", "TM 46", "TM 47",  // 236
    "TM 48", "TM 49", "TM 50", "HM 1",  // 240
    "HM 2", "HM 3", "HM 4", "HM 5",  // 244
    "HM 6", "HM 7", "Teru-Sama", "Teru-Sama",  // 248
    "Teru-Sama", "Teru-Sama", "Teru-Sama", "Nothing",  // 252
}};

const std::array<std::string_view, PocketCount> PocketNames{{"(None)", "Item", "Key", "Ball", "TM/HM"}};

std::string UnknownPocketEntry(int16_t value) {
  return UnnamedText(HexFunctions::ByteToHex(static_cast<uint8_t>(value)));
}
