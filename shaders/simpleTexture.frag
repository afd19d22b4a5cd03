#version 110
// The texel of unit 0 tinted by "colors"; the alpha of the product drives blending.
uniform sampler2D texture0;
uniform vec4 colors;

void main()
{
    gl_FragColor = texture2D(texture0, gl_TexCoord[0].st) * colors;
}
