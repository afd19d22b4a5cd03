#include "AssetCatalog.h"

#include <utility>

#include "BmpEncoder.h"
#include "Crusader.h"
#include "DomeClouds.h"
#include "FontFace.h"
#include "FontSheet.h"
#include "Ground.h"
#include "GuiTheme.h"
#include "Hobgoblin.h"
#include "Logo.h"
#include "Md2Encoder.h"
#include "ParticleImages.h"
#include "PngEncoder.h"
#include "Pointers.h"
#include "Scenery.h"
#include "TgaEncoder.h"

namespace {

void addGuiTheme(std::vector<GeneratedFile>& files, const std::string& fontDirectory) {
    files.push_back({"Font/fontDemo.tga", encodeTga(FontSheet::makeDemo(fontDirectory))});
    files.push_back({"Main2.png", encodePng(GuiTheme::window())});
    files.push_back({"informationConsol2.png", encodePng(GuiTheme::console())});
    const FontFace captions(fontDirectory, "DejaVuSans-Bold.ttf", 22);
    for (int frame = 0; frame < GuiTheme::powerFrames; ++frame)
        files.push_back(
            {"Sprite/GombOn" + std::to_string(frame + 1) + ".png", encodePng(GuiTheme::powerButton(captions, frame))});
    for (const char* caption : {"Start", "Options", "Credits", "Quit"})
        for (int frame = 0; frame < 2; ++frame)
            files.push_back({std::string("MainMenuSample/") + caption + std::to_string(frame + 1) + ".png",
                             encodePng(GuiTheme::menuButton(captions, caption, frame == 1))});
    files.push_back({"checkOff1.png", encodePng(GuiTheme::checkBox(false))});
    files.push_back({"checkIn1.png", encodePng(GuiTheme::checkBox(true))});
    files.push_back({"samplepbar.png", encodePng(GuiTheme::progressBar())});
}

}  // namespace

std::vector<GeneratedFile> generateModels() {
    std::vector<GeneratedFile> files;
    // The engine test application's animated character.
    files.push_back({"Models/MD2/tris.md2", encodeMd2(Hobgoblin::model())});
    files.push_back({"Models/MD2/hobgoblin.bmp", encodeBmp(Hobgoblin::skin())});
    // The statue; the engine loads "STONE.JPG" and "SHIELD.JPG" named in it as these TGA files.
    files.push_back({"Models/crusader.3ds", Crusader::model()});
    files.push_back({"Models/STONE.tga", encodeTga(Crusader::stoneTexture())});
    files.push_back({"Models/SHIELD.tga", encodeTga(Crusader::shieldTexture())});
    return files;
}

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
    addGuiTheme(files, fontDirectory);
    // Between the GUI theme and the sky dome, so the list keeps one fixed order.
    for (GeneratedFile& model : generateModels())
        files.push_back(std::move(model));
    files.push_back({"SkyDome/clouds2.png", encodePng(DomeClouds::texture())});
    return files;
}
