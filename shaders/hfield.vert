#version 110
// Height field: unit 0 holds a grey height map; the fragment stage turns its
// height into terrain colours, shaded by the vertex colour.
void main()
{
    gl_FrontColor = gl_Color;
    gl_TexCoord[0] = gl_TextureMatrix[0] * gl_MultiTexCoord0;
    gl_Position = ftransform();
}
