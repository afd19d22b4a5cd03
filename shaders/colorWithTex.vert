#version 110
// Texture of unit 0 modulated by the vertex colour (rain drops).
void main()
{
    gl_FrontColor = gl_Color;
    gl_TexCoord[0] = gl_TextureMatrix[0] * gl_MultiTexCoord0;
    gl_Position = ftransform();
}
