#version 110
// Start-of-fight countdown: the picture is grey while "3", "2", "1" show and
// its colour comes back during the last second, as "FIGHT !" appears. Each
// picture of the fight is drawn through it: mixing with grey is linear, so
// greying every drawing greys what they make together.
uniform sampler2D texture;
uniform float compteur;  // countdown in seconds, 4 down to 0

void main()
{
    vec4 pixel = texture2D(texture, gl_TexCoord[0].xy) * gl_Color;
    float grey = dot(pixel.rgb, vec3(0.299, 0.587, 0.114));
    float amount = clamp(compteur, 0.0, 1.0);
    gl_FragColor = vec4(mix(pixel.rgb, vec3(grey), amount), pixel.a);
}
