// A conifer: a brown trunk under three stacked cones of needles.
// Radii follow their comma without a blank; each primitive is one line.
#declare Bark = color red 0.36 green 0.23 blue 0.11
#declare Needles = color red 0.09 green 0.33 blue 0.14
#declare size = <-1.3, 0, -1.3>, <1.3, 6, 1.3>
cylinder { <0,0,0>, <0,1.4,0>,0.22 pigment { color Bark } }
cone { <0,1,0>,1.3 <0,3.4,0>,0 pigment { color Needles } }
cone { <0,2.4,0>,1 <0,4.6,0>,0 pigment { color Needles } }
cone { <0,3.8,0>,0.7 <0,6,0>,0 pigment { color Needles } }
