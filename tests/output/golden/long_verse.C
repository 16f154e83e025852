

    League Style Quizzing

    A 1:1 to A 28:31

    Quiz Number 7













    A  3:19   FTc                     Quiz 7


     1. Repent therefore, and turn back,
        that your sins may be blotted out 
        that your sins may be blotted out 
        that your sins may be blotted out 
        that your sins may be blotted out 
        that your sins may be blotted out 
        that your sins may be blotted out 
        that your sins may be blotted out 
        END OF VERSE                         






    A  3:20                             Quiz 7


     2. Who?












