

    League Style Quizzing

    A 1:1 to A 28:31

    Quiz Number 7













    A  2:41                             Quiz 7


     1. Who received his word?

        Those who were baptized              












    A  2:42   FTa                     Quiz 7


     2. And and they devoted themselves to
        the apostles teaching and the 
        fellowship to the breaking of bread 
        and the prayers and awe came upon 
        every soul and many wonders and 
        signs were being done through the 
        apostles and all who believed were 
        toge    and they devoted themselves 
        to the apostles teaching and the 
        fellowship to the breaking of bread 
        and the prayers and awe came upon 
        every soul and many wonders and 
        signs were being done through the 
        apostles and all who believed were 
        together and had a     


















    A  2:43                             Quiz 7


     3. What came upon every soul?

        Awe                                  










