#include "products/catalogue.h"

#include <algorithm>
#include <array>

#include "core/words.h"
#include "products/attenuators/attenuator_form.h"
#include "products/circular/daxel_form.h"
#include "products/circular/mirolt_form.h"
#include "products/circular/selmon_form.h"
#include "products/circular/tolmar_form.h"
#include "products/dampers/blade_bending_form.h"
#include "products/dampers/damper_acoustics_form.h"
#include "products/dampers/damper_leakage_form.h"
#include "products/dampers/damper_torque_form.h"
#include "products/louvres/louvre_form.h"
#include "products/rectangular/basko_form.h"
#include "products/rectangular/quenta_form.h"

namespace lorvane {
namespace {

constexpr MenuPlace kProducts{"&Products", ""};
constexpr MenuPlace kDampers{"&Products", "Multi-leaf Damper"};
constexpr MenuPlace kAttenuators{"&Attentuator", ""};

template <typename FormClass>
constexpr Product Built(Product product) {
    product.spec = &FormClass::Spec;
    product.makeForm = &forms::MakeForm<FormClass>;
    return product;
}

// A product that sends its sound along a duct into a room.
constexpr Product IntoRoom(Product product, RoomSourceRows rows) {
    product.room = rows;
    return product;
}

constexpr RoomSourceRows kCircularRoom{"octave", "casing.none.levels", "diameter"};
constexpr RoomSourceRows kRectangularRoom{"octave", "casing.none.levels", ""};
constexpr RoomSourceRows kDamperRoom{"octave", "", ""};

// clang-format off
constexpr std::array kCatalogue{
    IntoRoom(Built<circular::Tolmar>({32784, kProducts, "Tolmar", "tolmar", "Tolmar constant volume flow controller"}), kCircularRoom),
    IntoRoom(Built<circular::CSelmonDialog>({32771, kProducts, "Selmon", "selmon", "Selmon constant volume flow controller"}), kCircularRoom),
    IntoRoom(Built<circular::CDaxel>({32772, kProducts, "Daxel", "daxel", "Daxel electronically regulated volume flow controller"}), kCircularRoom),
    IntoRoom(Built<circular::Mirolt>({32782, kProducts, "Mirolt", "mirolt", "Mirolt electronically regulated volume flow controller"}), kCircularRoom),
    IntoRoom(Built<rectangular::Quenta>({32773, kProducts, "Quenta", "quenta", "Quenta volume flow controller with measuring nozzles"}), kRectangularRoom),
    IntoRoom(Built<rectangular::Basko>({32774, kProducts, "Basko", "basko", "Basko rectangular volume flow controller"}), kRectangularRoom),
    IntoRoom(Built<dampers::JKLorvane>({32776, kDampers, "Acoustics", "damper", "multi-leaf damper: acoustics and flow"}), kDamperRoom),
    Built<dampers::JKLeck>({32777, kDampers, "Leakage", "leakage", "multi-leaf damper: leakage of the closed damper"}),
    Built<dampers::JKDurch>({32778, kDampers, "Bending", "bending", "multi-leaf damper: blade bending"}),
    Built<dampers::JKMoment>({32779, kDampers, "Torque", "torque", "multi-leaf damper: operating torque and weight"}),
    Built<louvres::WSG>({32786, kProducts, "External weather louvre", "louvre", "external weather louvre"}),
    Built<attenuators::Schalldaempfer>({32780, kAttenuators, "Attentuator", "attenuator", "Nerva circular sound attenuator: insertion loss"}),
};
// clang-format on

}  // namespace

std::span<const Product> Catalogue() {
    return kCatalogue;
}

const Product* FindProduct(int menuCommand) {
    const auto it = std::find_if(kCatalogue.begin(), kCatalogue.end(), [&](const Product& p) {
        return p.menuCommand == menuCommand;
    });
    return it == kCatalogue.end() ? nullptr : &*it;
}

const Product* FindProductByWord(std::string_view word) {
    const auto it = std::find_if(kCatalogue.begin(), kCatalogue.end(),
                                 [&](const Product& p) { return SameWord(p.word, word); });
    return it == kCatalogue.end() ? nullptr : &*it;
}

}  // namespace lorvane
