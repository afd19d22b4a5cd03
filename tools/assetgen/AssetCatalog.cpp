#include "AssetCatalog.h"

#include "FontSheet.h"
#include "Ground.h"
#include "Logo.h"
#include "ParticleImages.h"
#include "PngEncoder.h"
#include "Pointers.h"
#include "Scenery.h"
#include "TgaEncoder.h"

std::vector<GeneratedFile> generateAssets(const std::string& fontDirectory) {
    std::vector<GeneratedFile> files;
    files.push_back({"Font/font.tga", encodeTga(FontSheet::make(fontDirectory))});
    files.push_back({"scroll/BackgroundCloud012.png", encodePng(Scenery::sky())});
    const std::vector<Image> strips = Scenery::landscapeStrips();
    for (std::size_t i = 0; i < strips.size(); ++i)
        files.push_back({"scroll/Background0" + std::to_string(i + 1) + "_big_alpha.png", encodePng(strips[i])});
    files.push_back({"scroll/BackgroundCloud_layer3.png", encodePng(Scenery::cloudLayer())});
    files.push_back({"Logo/k3dlogo.png", encodePng(Logo::make(fontDirectory))});
    files.push_back({"MousePointer.png", encodePng(Pointers::arrow())});
    files.push_back({"moveWindow.png", encodePng(Pointers::move())});
    files.push_back({"Particle/particle.png", encodePng(ParticleImages::glow())});
    files.push_back({"Particle/rain.png", encodePng(ParticleImages::rainStreak())});
    files.push_back({"KModel/ground.png", encodePng(Ground::colorMap())});
    files.push_back({"KModel/ground_height.png", encodePng(Ground::heightMap())});
    const std::string plane = Ground::planeModel();
    files.push_back({"KModel/plane_new.xml", std::vector<std::uint8_t>(plane.begin(), plane.end())});
    return files;
}
